#pragma once
// Finding files the way the media folder is used: names match without regard
// to case, so "bv_Dolphin.bmp" finds "BV_DOLPHIN.BMP" on a case-sensitive file
// system.

#include <optional>
#include <string>

namespace bv {

// The real path of the normal file that path names, each folder and the file
// name matched without regard to case; an exact match is preferred. Only
// normal files are found: folders and hidden (dot) files are not. Nothing when
// there is no such file.
std::optional<std::string> FindFileIgnoringCase(const std::string& path);

// FindFileIgnoringCase, or path unchanged when nothing matches, for every open
// of a media file.
std::string ResolveCaseInsensitive(const std::string& path);

}  // namespace bv
