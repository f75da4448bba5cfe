// Wine's registry file reader on any file: the header, a lookup of the
// simulator's value through the file, and the line parsers on each line.
// Input: the file's bytes.
#include "FuzzInput.h"
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
    return 0;
}
