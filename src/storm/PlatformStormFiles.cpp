#include "storm/StormFiles.h"

#include "platform/FileSystem.h"
#include "platform/Path.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define BRONTARA_HAS_FSYNC 1
#elif defined(_WIN32)
#include <io.h>
#endif

namespace fs = std::filesystem;

namespace storm {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Data and folder entries go to the disk before the next step, so that a
// journal written before a change is still there after a power cut.
void syncFile([[maybe_unused]] std::FILE* file) {
#ifdef BRONTARA_HAS_FSYNC
    fsync(fileno(file));
#elif defined(_WIN32)
    _commit(_fileno(file));
#endif
}

void syncFolder([[maybe_unused]] const fs::path& folder) {
#ifdef BRONTARA_HAS_FSYNC
    int dir = open(folder.string().c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
#endif
}

} // namespace

bool PlatformStormFiles::fileExists(const std::string& path) {
    return platform::exists(path, platform::AnyFile);
}

bool PlatformStormFiles::copyFile(const std::string& from, const std::string& to, bool failIfExists) {
    return platform::copyFile(from, to, failIfExists);
}

bool PlatformStormFiles::deleteFile(const std::string& path) {
    return platform::deleteFile(path);
}

bool PlatformStormFiles::createDirectory(const std::string& path) {
    return platform::createDirectory(path);
}

bool PlatformStormFiles::sameContents(const std::string& a, const std::string& b) {
    auto hostA = platform::toHostPath(a);
    auto hostB = platform::toHostPath(b);
    if (!hostA || !hostB) return false;
    std::error_code ec;
    if (!fs::is_regular_file(*hostA, ec) || !fs::is_regular_file(*hostB, ec)) return false;
    const auto sizeA = fs::file_size(*hostA, ec);
    if (ec || sizeA != fs::file_size(*hostB, ec) || ec) return false;
    File fa(std::fopen(hostA->c_str(), "rb"));
    File fb(std::fopen(hostB->c_str(), "rb"));
    if (!fa || !fb) return false;
    std::array<char, 1 << 16> bufA, bufB;
    for (;;) {
        const std::size_t na = std::fread(bufA.data(), 1, bufA.size(), fa.get());
        const std::size_t nb = std::fread(bufB.data(), 1, bufB.size(), fb.get());
        if (na != nb || std::ferror(fa.get()) || std::ferror(fb.get())) return false;
        if (na == 0) return true;
        if (!std::equal(bufA.begin(), bufA.begin() + static_cast<std::ptrdiff_t>(na), bufB.begin()))
            return false;
    }
}

std::optional<std::string> PlatformStormFiles::readFile(const std::string& path) {
    auto host = platform::toHostPath(path);
    std::error_code ec;
    if (!host || !fs::is_regular_file(*host, ec)) return std::nullopt;
    std::ifstream in(*host, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

bool PlatformStormFiles::writeFileAtomically(const std::string& path, const std::string& text, bool synced) {
    auto host = platform::toHostPath(path);
    if (!host) return false;
    const fs::path target(*host);
    const fs::path temporary = target.string() + ".new";
    {
        File out(std::fopen(temporary.string().c_str(), "wb"));
        if (!out) return false;
        const bool written =
            std::fwrite(text.data(), 1, text.size(), out.get()) == text.size() && std::fflush(out.get()) == 0;
        if (written && synced) syncFile(out.get());
        if (!written || std::fclose(out.release()) != 0) {
            std::error_code ec;
            fs::remove(temporary, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(temporary, target, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    if (synced) syncFolder(target.parent_path());
    return true;
}

bool PlatformStormFiles::moveEntry(const std::string& from, const std::string& to) {
    auto hostFrom = platform::toHostPath(from);
    auto hostTo = platform::toHostPath(to);
    std::error_code ec;
    if (!hostFrom || !hostTo || !fs::exists(*hostFrom, ec) || fs::exists(*hostTo, ec)) return false;
    fs::rename(*hostFrom, *hostTo, ec);
    if (!ec) syncFolder(fs::path(*hostTo).parent_path());
    return !ec;
}

} // namespace storm
