#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QSize>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

// Painting in floating point for the large backdrops: soft layers, haze and
// light blend without banding, and the final 8-bit picture is dithered.
namespace mediagen {

// A colour with float channels on the 0..255 scale.
struct Tint {
    float r = 0, g = 0, b = 0;
};
Tint tint(const QColor& c);
Tint blend(const Tint& a, const Tint& b, float t);
Tint scaled(const Tint& c, float k);

float smoothStep(float edge0, float edge1, float x);

// A cheap sine: a pair of parabolas through the same peaks and zeros.
float wave(double phase);

// Smooth value noise in [-1, 1] and a sum of octaves of it (about [-1, 1]).
// With `period` > 0 the noise repeats every `period` units in x (a whole
// number of lattice cells at every octave), for pictures that tile.
float valueNoise(double x, double y, std::uint32_t seed, int period = 0);
float fractalNoise(double x, double y, int octaves, std::uint32_t seed, int period = 0);

// A smooth function of the picture evaluated on a coarse grid over `area`
// and interpolated in between: for slow variations that would cost too much
// to evaluate at every pixel.
class CoarseField {
public:
    CoarseField(QRectF area, double spacing, const std::function<float(double x, double y)>& f);
    float at(double x, double y) const;

private:
    QRectF area_;
    double spacing_;
    int columns_;
    int rows_;
    std::vector<float> values_;
};

// A closed outline with its edge pushed in and out by noise: rock and mud
// rather than geometry. `amplitude` and `wavelength` are in picture pixels.
QPainterPath roughened(const QPainterPath& path, double amplitude, double wavelength,
                       std::uint32_t seed);

// A sheet of paint in premultiplied float RGBA (colour 0..255, alpha 0..1)
// covering `area` of the picture at `scale` of the picture's resolution. It
// is drawn with QPainter in picture coordinates; soft and distant layers are
// drawn small and blurred, which is cheap and leaves no hard edges.
class Layer {
public:
    Layer(QRectF area, double scale, const std::function<void(QPainter&)>& draw);

    // An approximately Gaussian blur; `radius` in picture pixels. A layer
    // used only for its alpha (light, masks) may blur only that.
    void blur(double radius, bool alphaOnly = false);

    // Recolours every covered pixel; `depth` is how far the pixel lies below
    // the layer's upper edge in its column (in picture pixels), for light
    // falling from above. Colours are straight (not premultiplied) 0..255.
    void shade(const std::function<void(double x, double y, float depth, Tint& colour)>& recolour);

    // Lights the layer as a relief. Its height is the coverage blurred by
    // `roundness` (picture pixels; rounds the edges off) plus bumps(x, y);
    // light comes from `light` (x right, y down, z out of the picture). Each
    // covered pixel's colour is multiplied by ambient + diffuse * max(0, n.l);
    // `steepness` scales the slopes.
    struct Lighting {
        double roundness = 20;
        float steepness = 30;
        float ambient = 0.45f;
        float diffuse = 0.8f;
        float lightX = 0.35f, lightY = -0.75f, lightZ = 0.55f;
    };
    void relief(const Lighting& lighting, const std::function<float(double x, double y)>& bumps);

    // Premultiplied colour and alpha at a picture point; zero outside.
    void sample(double x, double y, float out[4]) const;

    const QRectF& area() const { return area_; }
    // The layer as a premultiplied 8-bit picture at its own resolution.
    QImage image() const;
    // Whether the layer's pixels are the picture's pixels one to one.
    bool alignedOneToOne() const;
    // Premultiplied colour and alpha of picture pixel (x, y) of an aligned
    // one-to-one layer, which must lie inside it.
    const float* pixelAt(int x, int y) const {
        return &pixels_[(static_cast<std::size_t>(y - originY_) * width_ + (x - originX_)) * 4];
    }

private:
    QRectF area_;
    double scale_;
    int width_;
    int height_;
    int originX_;
    int originY_;
    // Per row of the layer, the first and one past the last column with
    // any paint, so the empty parts cost nothing.
    std::vector<std::pair<int, int>> spans_;
    void findSpans();
    friend class Canvas;
    std::vector<float> pixels_;  // r, g, b, a per pixel
};

class Canvas {
public:
    explicit Canvas(QSize size);

    QSize size() const { return size_; }
    Tint& at(int x, int y) { return pixels_[static_cast<std::size_t>(y) * size_.width() + x]; }
    const Tint& at(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * size_.width() + x];
    }

    void shade(const std::function<void(int x, int y, Tint& colour)>& recolour);

    // Lays `layer` over the picture. With `fog`, each pixel of the layer is
    // first mixed toward the fog's colour at that point by haze(x, y): the
    // open water swallowing whatever lies far away.
    void over(const Layer& layer, const Canvas* fog = nullptr,
              const std::function<float(int x, int y)>& haze = {});

    // Adds light: `colour` times the layer's alpha.
    void glow(const Layer& light, const Tint& colour);

    // Quantises to 8 bits, rounding up or down at random in proportion so
    // smooth gradients come out smooth rather than in bands.
    QImage toImage(std::uint32_t seed) const;

private:
    std::pair<int, int> columnsOf(const Layer& layer, int y, const QRect& bounds) const;

    QSize size_;
    std::vector<Tint> pixels_;
};

}  // namespace mediagen
