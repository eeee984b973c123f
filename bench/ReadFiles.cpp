// What reading a library costs at the least: every file of a folder read through once, in
// 64 KiB pieces, as cat does; hidden files (the lock, the index of the lists) are not the
// library's. Usage: lexiglade_read_files DIR
#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <filesystem>

int main(int argc, char** argv) {
    constexpr std::size_t kPieceSize = 64 * 1024;
    if (argc != 2) {
        return 2;
    }
    std::array<char, kPieceSize> piece;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        if (entry.path().filename().string().starts_with('.')) {
            continue;
        }
        const int file = open(entry.path().c_str(), O_RDONLY);
        while (file >= 0 && read(file, piece.data(), piece.size()) > 0) {
        }
        if (file >= 0) {
            close(file);
        }
    }
    return 0;
}
