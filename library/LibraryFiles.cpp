#include "library/LibraryFiles.h"

#include "library/TextList.h"

#include <algorithm>

namespace lexiglade::LibraryFiles {

bool IsListName(std::string_view name) {
    return name == kFolderTree ||
           std::any_of(std::begin(kCatalogueLists), std::end(kCatalogueLists),
                       [&](const char* list) { return name == list; });
}

std::string BankName(unsigned long number) {
    std::string name = "b";
    name += std::to_string(number);
    name += ".asl";
    return name;
}

unsigned long BankNumber(std::string_view name) {
    constexpr std::string_view kStem = "b", kExtension = ".asl";
    constexpr std::size_t kMaxDigits = 9; // within 32 bits
    if (name.size() <= kStem.size() + kExtension.size() || !name.starts_with(kStem) ||
        !name.ends_with(kExtension)) {
        return 0;
    }
    const std::string_view digits =
        name.substr(kStem.size(), name.size() - kStem.size() - kExtension.size());
    if (digits.size() > kMaxDigits || digits[0] == '0' || !IsDecimalDigits(digits)) {
        return 0;
    }
    return std::stoul(std::string(digits));
}

std::filesystem::path ScreenArtworkPath(std::string_view language, const DenseArtworkSet* set,
                                        std::string_view name) {
    std::filesystem::path path;
    for (std::string_view folder : {language, std::string_view(set ? set->folder : "")}) {
        if (!folder.empty()) {
            path /= folder;
        }
    }
    return path / name;
}

} // namespace lexiglade::LibraryFiles
