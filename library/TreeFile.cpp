#include "library/TreeFile.h"

#include "library/Errors.h"
#include "library/InputFile.h"

#include <array>
#include <cstring>
#include <string_view>

namespace lexiglade {

namespace {

constexpr char kEndMark = 26;

// Places each line under the right parent, following the indentation of the line before.
class TreePlacer {
  public:
    explicit TreePlacer(TreeModel& tree) : tree_(tree) {}

    void Place(int indent, std::string_view text) {
        int level = 1;
        if (tree_.empty() || indent > indent_) {
            if (indent - indent_ > 1) {
                RaiseFileLoadError();
            }
            level = tree_.empty() ? 1 : tree_.back().level + 1;
        } else {
            // Up indent_ - indent + 1 levels from the previous item, then one down.
            level = tree_.back().level - (indent_ - indent);
            if (level < 1) {
                RaiseFileLoadError();
            }
        }
        tree_.push_back({std::string(text), level});
        indent_ = indent;
    }

  private:
    TreeModel& tree_;
    int indent_ = 0;
};

// Places every line of [p, end); lines end at a carriage return, the last one possibly at `end`.
void ParseLines(const char* p, const char* end, TreePlacer& placer) {
    while (p < end) {
        int indent = 0;
        while (p < end && (*p == '\t' || *p == ' ')) {
            ++indent;
            ++p;
        }
        const char* text = p;
        const void* cr = std::memchr(p, '\r', static_cast<std::size_t>(end - p));
        p = cr ? static_cast<const char*>(cr) : end;
        placer.Place(indent, std::string_view(text, static_cast<std::size_t>(p - text)));
        if (p < end) {
            ++p;
            if (p < end && *p == '\n') {
                ++p;
            }
        }
    }
}

const char* LastCarriageReturn(const char* begin, const char* end) {
    for (const char* p = end; p != begin;) {
        if (*--p == '\r') {
            return p;
        }
    }
    return nullptr;
}

// Reads until `size` bytes are in or the source is exhausted.
template <class Source> std::size_t Fill(Source& source, char* buffer, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        const std::size_t got = source.Read(buffer + filled, size - filled);
        if (got == 0) {
            break;
        }
        filled += got;
    }
    return filled;
}

template <class Source> void LoadFrom(Source& source, TreeModel& tree) {
    tree.clear();
    TreePlacer placer(tree);
    std::array<char, kTreeBufferSize> buffer;
    char* const begin = buffer.data();
    std::size_t length = 0;
    bool skipLineFeed = false; // the last chunk ended with a carriage return
    for (;;) {
        length += Fill(source, begin + length, kTreeBufferSize - length);
        if (skipLineFeed && length > 0 && begin[0] == '\n') {
            std::memmove(begin, begin + 1, --length);
            length += Fill(source, begin + length, kTreeBufferSize - length);
        }
        skipLineFeed = false;
        const void* mark = std::memchr(begin, kEndMark, length);
        if (mark || length < kTreeBufferSize) {
            // The file ends here: at its end mark, or before the buffer is full.
            ParseLines(begin, mark ? static_cast<const char*>(mark) : begin + length, placer);
            return;
        }
        const char* const end = begin + length;
        const char* cr = LastCarriageReturn(begin, end);
        if (!cr) {
            RaiseLineTooLong();
        }
        const char* stop = cr + 1;
        if (stop == end) {
            skipLineFeed = true;
        } else if (*stop == '\n') {
            ++stop;
        }
        ParseLines(begin, stop, placer);
        length = static_cast<std::size_t>(end - stop);
        std::memmove(begin, stop, length);
    }
}

class StreamSource {
  public:
    explicit StreamSource(std::istream& in) : in_(in) {}
    std::size_t Read(char* buffer, std::size_t size) {
        in_.read(buffer, static_cast<std::streamsize>(size));
        if (in_.bad()) {
            RaiseFileLoadError();
        }
        return static_cast<std::size_t>(in_.gcount());
    }

  private:
    std::istream& in_;
};

} // namespace

void LoadTree(std::istream& in, TreeModel& tree) {
    StreamSource source(in);
    LoadFrom(source, tree);
}

void LoadTreeFile(const std::string& path, TreeModel& tree) {
    InputFile file(path);
    LoadFrom(file, tree);
}

} // namespace lexiglade
