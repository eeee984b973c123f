#include "library/OfferedRecord.h"

#include "library/AtomicFile.h"
#include "library/Latin1.h"
#include "library/TextList.h"

#include <sys/stat.h>

namespace lexiglade {

std::optional<std::vector<std::string>> ReadOfferedRecord(const std::filesystem::path& dataDir) {
    const std::string path = dataDir / kOfferedRecord;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) {
        return std::nullopt;
    }
    TextList titles = ReadList(path);
    for (std::string& title : titles) {
        char32_t beyond = 0;
        if (std::optional<std::string> latin1 = TypedTextToLatin1(title, beyond)) {
            title = std::move(*latin1); // a title no library holds stays as it is, matching none
        }
    }
    return titles;
}

void WriteOfferedRecord(const std::filesystem::path& dataDir,
                        const std::vector<std::string>& titles) {
    std::string text;
    for (const std::string& title : titles) {
        text += Latin1ToUtf8(title);
        text += '\n';
    }
    ReplaceFile(dataDir / kOfferedRecord, text);
}

} // namespace lexiglade
