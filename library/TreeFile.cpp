#include "library/TreeFile.h"

#include "library/Errors.h"
#include "library/InputFile.h"

#include <array>
#include <cstring>
#include <string_view>

namespace lexiglade {

namespace {

constexpr char kEndMark = 26;

// Places each line under the right parent, following the indentation of the line before, and
// hands each item on with its level.
template <class Sink> class TreePlacer {
  public:
    explicit TreePlacer(Sink& sink) : sink_(sink) {}

    void Place(int indent, std::string_view text) {
        int level = 1;
        if (level_ == 0 || indent > indent_) {
            if (indent - indent_ > 1) {
                RaiseFileLoadError();
            }
            level = level_ + 1;
        } else {
            // Up indent_ - indent + 1 levels from the previous item, then one down.
            level = level_ - (indent_ - indent);
            if (level < 1) {
                RaiseFileLoadError();
            }
        }
        sink_(text, level);
        level_ = level;
        indent_ = indent;
    }

  private:
    Sink& sink_;
    int level_ = 0; // of the previous item; 0 before the first
    int indent_ = 0;
};

// Places every line of [p, end); lines end at a carriage return, the last one possibly at `end`.
template <class Placer> void ParseLines(const char* p, const char* end, Placer& placer) {
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

template <class Source, class Sink> void LoadFrom(Source& source, Sink& sink) {
    TreePlacer<Sink> placer(sink);
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

// Appends each item to the tree.
struct TreeBuilder {
    TreeModel& tree;
    void operator()(std::string_view text, int level) {
        tree.push_back({std::string(text), level});
    }
};

// Holds each item back until the next one tells whether it is a puzzle.
class TreeWalker {
  public:
    explicit TreeWalker(const std::function<void(const TreeEntry&)>& visit) : visit_(visit) {}
    void operator()(std::string_view text, int level) {
        if (held_) {
            HandOn(level);
        }
        text_.assign(text);
        level_ = level;
        held_ = true;
    }
    // Hands on the item held back, before an item of `nextLevel` (0: none follows).
    void HandOn(int nextLevel) {
        held_ = false;
        visit_({text_, level_, level_ > 1 && nextLevel <= level_, index_++});
    }
    bool Holding() const { return held_; }

  private:
    const std::function<void(const TreeEntry&)>& visit_;
    std::string text_;
    int level_ = 0;
    bool held_ = false;
    std::size_t index_ = 0;
};

} // namespace

void LoadTree(std::istream& in, TreeModel& tree) {
    StreamSource source(in);
    tree.clear();
    TreeBuilder builder{tree};
    LoadFrom(source, builder);
}

void LoadTreeFile(const std::string& path, TreeModel& tree) {
    InputFile file(path);
    tree.clear();
    TreeBuilder builder{tree};
    LoadFrom(file, builder);
}

void WalkTreeFile(const std::string& path, const std::function<void(const TreeEntry&)>& visit) {
    InputFile file(path);
    TreeWalker walker(visit);
    try {
        LoadFrom(file, walker);
    } catch (const LibraryError&) {
        if (walker.Holding()) {
            walker.HandOn(0);
        }
        throw;
    }
    if (walker.Holding()) {
        walker.HandOn(0);
    }
}

} // namespace lexiglade
