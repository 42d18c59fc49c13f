// bluvessa-mediagen: draws, composes and writes the screen saver's whole
// media pack (pictures, songs, sound effect) and the dialog's thumbnails.
//
//   bluvessa-mediagen <windows-folder> [<thumbnail-folder>]
//
// The media go to <windows-folder>/Zentrova/Bluvessa/.

#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "media_pack.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s <windows-folder> [<thumbnail-folder>]\n", argv[0]);
        return 2;
    }
    // Offscreen: the generator needs no display, and draws no text, so no
    // system font can make two machines disagree.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    try {
        const std::filesystem::path assets =
            std::filesystem::path(argv[1]) / "Zentrova" / "Bluvessa";
        mediagen::writeMediaPack(assets);
        if (argc == 3) mediagen::writeDialogPictures(argv[2]);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bluvessa-mediagen: %s\n", error.what());
        return 1;
    }
    return 0;
}
