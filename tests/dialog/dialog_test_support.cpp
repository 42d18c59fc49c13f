#include "dialog_test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include "errors/error_code.h"
#include "platform/message_box.h"
#include "platform/process_end.h"
#include "platform/surface_table.h"
#include "scene/all_records.h"
#include "scene/properties.h"
#include "scene/records.h"
#include "scene/scene_globals.h"
#include "settings/folders.h"
#include "settings/settings_globals.h"
#include "startup/read_settings.h"
#include "startup/run_reset.h"
#include "surfaces/memory_surfaces.h"
#include "surfaces/release_surfaces.h"

namespace bv::test {
namespace fs = std::filesystem;
namespace {

void PutLittleEndian(std::string& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

}  // namespace

DialogEnvironment::DialogEnvironment() {
    std::string pattern = (fs::temp_directory_path() / "bluvessa-dialog-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    windowsDir_ = pattern + "/";
    ::setenv("BLUVESSA_WINDOWS_DIR", windowsDir_.c_str(), 1);
    GetDiectories();
    assetDir_ = AssetDir;
    fs::create_directories(assetDir_);
    SetScreenSize(640, 480);
    platform::SetProcessEnder([this](int) { ++processEnds_; });
    SetErrorReporter([this](const std::string& code) { errors_.push_back(code); });
    platform::SetMessageShower(
        [this](QWidget* owner, const std::string& title, const std::string& text) {
            messages_.push_back({owner, title, text});
        });
}

DialogEnvironment::~DialogEnvironment() {
    SetErrorReporter(nullptr);
    platform::SetMessageShower(nullptr);
    platform::SetProcessEnder(nullptr);
    ResetRunState();
    ::unsetenv("BLUVESSA_WINDOWS_DIR");
    std::error_code ignored;
    fs::remove_all(windowsDir_, ignored);
}

std::string DialogEnvironment::SettingsFile() const {
    return windowsDir_ + "zentrova.ini";
}

bool DialogEnvironment::SettingsFileExists() const {
    return fs::exists(SettingsFile());
}

std::vector<std::string> DialogEnvironment::SettingsLines() const {
    std::ifstream in(SettingsFile());
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find('=') != std::string::npos) lines.push_back(line);
    }
    return lines;
}

void DialogEnvironment::StoreSettings(const std::string& keyValueLines) const {
    WriteFile(SettingsFile(), "[Bluvessa]\n" + keyValueLines);
}

void DialogEnvironment::StartProgram(std::initializer_list<std::string> missingPictures) {
    // A first set-up only to learn every record's picture file.
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
    ForEachRecord([&](Sprite& record) {
        const std::string path = assetDir_ + record.FileName;
        if (record.FileName.empty() || fs::exists(path)) return;
        for (const std::string& missing : missingPictures)
            if (missing == record.FileName) return;
        WriteFile(path, "");
    });
    ForEachRecord([](Sprite& record) { record = Sprite{}; });
    X_GetData();
    Properties_Fish();
    Properties_Predator();
    Properties_Other();
    Properties_Scenery();
}

void DialogEnvironment::WriteSheet(const std::string& fileName, int frameWidth, int frameHeight,
                                   const std::vector<QColor>& colours) const {
    const int width = frameWidth * static_cast<int>(colours.size());
    const int height = 2 * frameHeight;
    const int stride = (width * 3 + 3) / 4 * 4;
    std::string bytes = "BM";
    PutLittleEndian(bytes, 54 + stride * height, 4);
    PutLittleEndian(bytes, 0, 4);
    PutLittleEndian(bytes, 54, 4);
    PutLittleEndian(bytes, 40, 4);
    PutLittleEndian(bytes, width, 4);
    PutLittleEndian(bytes, height, 4);  // bottom-up
    PutLittleEndian(bytes, 1, 2);
    PutLittleEndian(bytes, 24, 2);
    for (int i = 0; i < 6; ++i) PutLittleEndian(bytes, 0, 4);
    for (int row = height - 1; row >= 0; --row) {
        const bool imageRow = row < frameHeight;  // the masks below stay black
        std::string line(stride, '\0');
        for (int x = 0; imageRow && x < width; ++x) {
            const QColor& colour = colours[x / frameWidth];
            line[x * 3] = static_cast<char>(colour.blue());
            line[x * 3 + 1] = static_cast<char>(colour.green());
            line[x * 3 + 2] = static_cast<char>(colour.red());
        }
        bytes += line;
    }
    WriteFile(assetDir_ + fileName, bytes);
}

int MakeSheet(int frameWidth, int frameHeight, const std::vector<QColor>& colours) {
    const int width = frameWidth * static_cast<int>(colours.size());
    platform::Bitmap sheet(width, 2 * frameHeight, platform::PixelFormat::TrueColour);
    for (int y = 0; y < 2 * frameHeight; ++y) {
        platform::Colour* row = sheet.trueColourRow(y);
        for (int x = 0; x < width; ++x)
            row[x] = y < frameHeight ? colours[x / frameWidth].rgb() : platform::kBlack;
    }
    return platform::CreateSurface(std::move(sheet));
}

int MakeCanvas(int width, int height) {
    platform::Bitmap canvas(width, height, platform::PixelFormat::TrueColour);
    for (int y = 0; y < height; ++y) std::fill_n(canvas.trueColourRow(y), width, platform::kBlack);
    return platform::CreateSurface(std::move(canvas));
}

platform::Colour PixelOf(int handle, int x, int y) {
    const platform::Bitmap* picture = platform::FindSurface(handle);
    return picture ? picture->colourAt(x, y) : 0;
}

Extent LitExtent(int handle, int x, int y, int width, int height) {
    Extent extent;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) {
            if ((PixelOf(handle, column, row) & 0xFFFFFF) == 0) continue;
            if (extent.empty()) extent = {column, row, column, row};
            extent.left = std::min(extent.left, column);
            extent.top = std::min(extent.top, row);
            extent.right = std::max(extent.right, column);
            extent.bottom = std::max(extent.bottom, row);
        }
    return extent;
}

}  // namespace bv::test
