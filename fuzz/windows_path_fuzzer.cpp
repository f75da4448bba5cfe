// The mapping of Windows-style path text: the lexical parse on any text, and
// the lookup on disk below a small folder tree and a Wine prefix.
// Input: the path text.
#include "FuzzInput.h"
#include "platform/FileNames.h"
#include "platform/FileSystem.h"
#include "platform/Path.h"
#include "platform/WindowsPath.h"

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// A Wine prefix whose drive C holds a small simulator tree, made once, so
// that drive paths resolve on a known disk. Relative paths resolve below the
// folder the fuzzer runs in, which is left as it is: the fuzzer reads its
// corpus through relative paths.
void prepareTree() {
    static bool ready = false;
    if (ready) return;
    ready = true;
    const fs::path root = fs::temp_directory_path() / ("brontara-path-fuzz-" + std::to_string(getpid()));
    fs::create_directories(root / "drive_c/MSTS/Routes/Zonnedal/Envfiles");
    fs::create_directories(root / "dosdevices");
    std::error_code ec;
    fs::create_directory_symlink("../drive_c", root / "dosdevices/c:", ec);
    setenv("WINEPREFIX", root.c_str(), 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    prepareTree();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto path = platform::parseWindowsPath(text);
    if (path) {
        for (const std::string& component : path->components)
            FUZZ_CHECK(!component.empty() && component != "." && component != ".." &&
                       component.find_first_of("\\/") == std::string::npos);
        // Rendering and parsing again gives the same path.
        const auto again = platform::parseWindowsPath(path->text());
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(again->components == path->components && again->base == path->base);
    }
    const auto host = platform::toHostPath(text);
    if (host) {
        if (const auto resolved = platform::resolvedPath(text)) {
            // Nothing lies strictly inside itself.
            FUZZ_CHECK(!platform::liesInside(text, *resolved, true));
        }
        platform::liesInside(text, "/", false);
    }
    platform::isSingleEntryName(text);
    return 0;
}
