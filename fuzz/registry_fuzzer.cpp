// SPDX-License-Identifier: GPL-3.0-or-later
// Wine's registry file reader on any file: the header, a lookup of the
// simulator's value through the file (whole and cut short), the line parsers
// on each line, and the search through other prefixes with the file as a
// prefix's system.reg. Input: the file's bytes.
#include "FuzzInput.h"
#include "platform/linux/WinePrefixes.h"
#include "platform/linux/WineRegistry.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace platform::wine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t start = 0;
    while (start <= bytes.size()) {
        const auto end = bytes.find('\n', start);
        const std::string_view line = bytes.substr(start, end == std::string_view::npos ? end : end - start);
        parseKeyLine(line);
        if (const auto value = parseValueLine(line); value && value->isText())
            FUZZ_CHECK(value->text.find('\0') == std::string::npos);
        std::size_t consumed = 0;
        if (decodeString(line, '"', consumed)) FUZZ_CHECK(consumed <= line.size());
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    splitKeyPath(bytes.substr(0, 256));

    // In memory where the system has it: a file on disk per input would make the run wait for the disk.
    static const std::string file = [] {
        const std::filesystem::path shm = "/dev/shm";
        const auto folder = std::filesystem::is_directory(shm) ? shm : std::filesystem::temp_directory_path();
        return (folder / ("brontara-reg-fuzz-" + std::to_string(getpid()) + ".reg")).string();
    }();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(size));
    readHeader(file);
    const auto keys = std::vector<std::vector<std::string>>{
        {"Software", "Microsoft", "Microsoft Games", "Train Simulator", "1.0"},
        {"Software", "Wow6432Node", "Microsoft", "Microsoft Games", "Train Simulator", "1.0"}};
    const auto found = lookUpValue(file, keys, "EXE Path");
    if (found.loaded) FUZZ_CHECK(found.keys.size() == keys.size());

    // Read no further than a bound: whatever a key the cut file shows, the whole file shows too.
    const std::uint64_t bound = size == 0 ? 0 : (data[0] * 131u) % size;
    const auto cut = lookUpValue(file, keys, "EXE Path", bound);
    for (std::size_t i = 0; i < cut.keys.size(); ++i)
        FUZZ_CHECK(!cut.keys[i].keyFound || found.keys[i].keyFound);

    // The file as the system.reg of a Lutris prefix: whatever it names, a
    // folder found lies on that prefix's drive C and reads back as it is.
    static const std::string home = [] {
        const auto folder =
            std::filesystem::path(file).parent_path() / ("brontara-prefix-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(folder / "Games/fuzz/drive_c/MSTS");
        std::filesystem::create_directories(folder / "Games/fuzz/dosdevices");
        std::error_code ignored;
        std::filesystem::create_directory_symlink("../drive_c", folder / "Games/fuzz/dosdevices/c:", ignored);
        return std::filesystem::canonical(folder).string();
    }();
    std::filesystem::copy_file(file, home + "/Games/fuzz/system.reg",
                               std::filesystem::copy_options::overwrite_existing);
    platform::WinePrefixQuery query;
    query.registryKey = "\\Software\\Microsoft\\Microsoft Games\\Train Simulator\\1.0\\";
    query.valueName = "EXE Path";
    query.accepts = [](const std::string&) { return true; };
    const std::string driveC = home + "/Games/fuzz/drive_c";
    for (const std::string& folder : findInOtherPrefixes(query, {home, home + "/.wine"})) {
        FUZZ_CHECK(folder == driveC || folder.rfind(driveC + "/", 0) == 0);
        for (const char c : folder)
            FUZZ_CHECK(static_cast<unsigned char>(c) >= 32 && c != '\\');
    }
    return 0;
}
