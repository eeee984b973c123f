#include "library/FileBatch.h"

#include "library/AtomicFile.h"

#include <filesystem>
#include <system_error>

namespace lexiglade {

namespace {

namespace fs = std::filesystem;

// The old file under a second name in its folder, while the batch may still need it.
class KeptOriginal {
  public:
    explicit KeptOriginal(const FileReplacement& file) : file_(file) {
        if (!file.previous) {
            return;
        }
        const fs::path target(file.path);
        fs::path link = target;
        link.replace_filename(".lexiglade-old-" + target.filename().string());
        std::error_code error;
        fs::remove(link, error); // a leftover of an interrupted run
        fs::create_hard_link(target, link, error);
        if (!error) {
            link_ = link.string();
        }
    }
    KeptOriginal(KeptOriginal&& other) noexcept
        : file_(other.file_), link_(std::move(other.link_)) {
        other.link_.clear();
    }
    KeptOriginal(const KeptOriginal&) = delete;
    KeptOriginal& operator=(const KeptOriginal&) = delete;
    KeptOriginal& operator=(KeptOriginal&&) = delete;
    ~KeptOriginal() {
        if (!link_.empty()) {
            std::error_code error;
            fs::remove(link_, error);
        }
    }

    // Best effort: the rename needs no space; the rewrite is the fallback where links fail.
    void PutBack() noexcept {
        std::error_code error;
        if (!file_.previous) {
            fs::remove(file_.path, error);
            return;
        }
        if (!link_.empty()) {
            fs::rename(link_, file_.path, error);
            if (!error) {
                link_.clear();
                return;
            }
        }
        try {
            ReplaceFile(file_.path, *file_.previous);
        } catch (...) {
            // The first error is the one reported; nothing more can be done for this file.
        }
    }

  private:
    const FileReplacement& file_;
    std::string link_;
};

} // namespace

void ReplaceAllOrNothing(const std::vector<FileReplacement>& files,
                         const std::function<void(std::size_t)>& beforeEach) {
    std::vector<KeptOriginal> replaced;
    replaced.reserve(files.size());
    try {
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (beforeEach) {
                beforeEach(i);
            }
            KeptOriginal original(files[i]);
            ReplaceFile(files[i].path, files[i].bytes);
            replaced.push_back(std::move(original));
        }
    } catch (...) {
        for (auto it = replaced.rbegin(); it != replaced.rend(); ++it) {
            it->PutBack();
        }
        throw;
    }
}

} // namespace lexiglade
