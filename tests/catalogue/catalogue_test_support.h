#pragma once
// What the catalogue and loading tests share: a clean scene, a scratch asset
// folder with pictures in it, a fixed clock for the random generator, and a
// recorder for reported failures.

#include <QColor>
#include <QImage>
#include <functional>
#include <string>
#include <vector>

#include "test_support.h"

namespace bv::test {

// The program's one reset, keeping the test's media folder, then a screen of
// width x height: for a test that sets the scene up more than once.
void StartAfresh(int width = 1024, int height = 768);

// Runs the four set-up procedures in start-up order.
void SetUpAllRecords();

// A fresh folder, removed with everything in it at the end of the test; it
// becomes the asset folder while it lives.
class AssetFolder {
public:
    AssetFolder();
    AssetFolder(const AssetFolder&) = delete;
    AssetFolder& operator=(const AssetFolder&) = delete;
    ~AssetFolder();

    const std::string& path() const { return path_; }  // ends in "/"

    // A 24-bit bitmap file whose pixel (x, y) has the colour pixel(x, y).
    void WritePicture(const std::string& name, int width, int height,
                      const std::function<QRgb(int x, int y)>& pixel) const;
    // A small one-colour picture: enough for a file that has to be present.
    void WritePicture(const std::string& name, int width = 4, int height = 4) const;

private:
    std::string path_;
};

// While it lives, a re-seed of the random generator reads a fixed number
// instead of the clock, so the draws after ResetRandomForTests repeat.
class FixedClock {
public:
    FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;
    ~FixedClock();
};

}  // namespace bv::test
