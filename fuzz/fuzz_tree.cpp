// Loads the input as a folder tree file and compares the result with a loader that reads the
// whole text at once, so that the buffered reading cannot depend on where buffer ends fall.
#include "library/Errors.h"
#include "library/TreeFile.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using lexiglade::kTreeBufferSize;
using lexiglade::TreeItem;
using lexiglade::TreeModel;

struct Result {
    TreeModel tree;
    std::string error;
};

// The tree rules applied to the whole text: byte 26 ends it, a carriage return (and one line feed
// after it) ends a line, and a line with its indentation must be shorter than the buffer.
Result LoadWhole(std::string_view text) {
    text = text.substr(0, text.find('\x1a'));
    Result result;
    std::vector<int> indents;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\r', pos), text.size());
        if (end - pos >= kTreeBufferSize) {
            result.error = "Line too long";
            return result;
        }
        std::size_t start = pos;
        while (start < end && (text[start] == '\t' || text[start] == ' ')) {
            ++start;
        }
        const int indent = static_cast<int>(start - pos);
        const int previous = indents.empty() ? 0 : indents.back();
        int level = 1;
        if (indents.empty() || indent > previous) {
            level = indents.empty() ? 1 : result.tree.back().level + 1;
            if (indent - previous > 1) {
                level = 0;
            }
        } else {
            level = result.tree.back().level - (previous - indent);
        }
        if (level < 1) {
            result.error = "File load error";
            return result;
        }
        result.tree.push_back({std::string(text.substr(start, end - start)), level});
        indents.push_back(indent);
        pos = end + 1;
        if (pos < text.size() && text[pos] == '\n') {
            ++pos;
        }
    }
    return result;
}

Result LoadBuffered(const std::string& bytes) {
    Result result{{{"stale", 1}}, ""};
    std::istringstream in(bytes);
    try {
        lexiglade::LoadTree(in, result.tree);
    } catch (const lexiglade::LibraryError& error) {
        result.error = error.what();
    }
    return result;
}

void Check(const std::string& bytes) {
    const Result buffered = LoadBuffered(bytes);
    const Result whole = LoadWhole(bytes);
    if (buffered.error != whole.error || buffered.tree != whole.tree) {
        __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    Check(bytes);
    // The same text behind a first line whose length comes from the input, so that its lines
    // straddle the end of the first buffer.
    if (size >= 2) {
        const std::size_t pad = (data[0] | (std::size_t{data[1]} << 8)) % kTreeBufferSize;
        Check(std::string(pad, 'p') + "\r\n" + bytes.substr(2));
    }
    return 0;
}
