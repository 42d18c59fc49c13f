#pragma once

#include <filesystem>

namespace mediagen {

// Writes every picture, song and the sound effect into `assetDir`, creating
// it when needed. Throws std::runtime_error on failure.
void writeMediaPack(const std::filesystem::path& assetDir);

// Writes thumbnails.png (the creatures' thumbnails in a row) and
// pictures/bug.png, pictures/fish.png below `folder`.
void writeDialogPictures(const std::filesystem::path& folder);

}  // namespace mediagen
