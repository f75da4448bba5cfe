// The INI reader and writer on any file and any section, key and value: no
// crash; what is written reads back; nothing but the key's line changes.
// Input: section 0x1F key 0x1F value 0x1F file bytes.
#include "FuzzInput.h"
#include "platform/IniText.h"

#include <vector>

using namespace platform::ini::detail;

namespace {

// A file's lines as the reader sees them: CR, LF and CRLF all end a line.
std::vector<std::string_view> linesOf(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        lines.push_back(bytes.substr(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < bytes.size()) lines.push_back(bytes.substr(start));
    return lines;
}

bool plainValue(std::string_view value) {
    if (value.empty() || value.size() > 1000) return false;
    for (char c : value)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
              c == '.'))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const std::string_view section = in.field();
    const std::string_view key = in.field();
    const std::string_view value = in.field();
    const std::string_view file = in.rest();

    detectEncoding(file);
    findValue(file, section, key);
    profileInteger(value);
    const auto written = withValue(file, section, key, value);
    if (!written) return 0;

    // The encoding is told from the bytes: a write that replaces the only
    // bytes that are not UTF-8 in a file with a UTF-8 mark turns it from
    // Windows-1252 (mark read as text) into UTF-8 (mark skipped), which can
    // change where the first section begins; nothing below holds for it.
    const Encoding encoding = detectEncoding(file);
    const bool sameEncoding = encoding == detectEncoding(*written);
    if (!sameEncoding && file.starts_with("\xEF\xBB\xBF")) return 0;

    // What is written reads back: exactly, for a plain value.
    const auto readBack = findValue(*written, section, key);
    FUZZ_CHECK(readBack.has_value());
    if (plainValue(value)) FUZZ_CHECK(*readBack == value);
    // Writing the same again changes nothing more.
    FUZZ_CHECK(withValue(*written, section, key, value) == written);

    // Nothing but the key's line changes (with a new section, its header too),
    // where the file keeps its encoding.
    if (!sameEncoding || encoding == Encoding::Utf16le) return 0;
    const auto before = linesOf(file);
    const auto after = linesOf(*written);
    std::size_t head = 0;
    while (head < before.size() && head < after.size() && before[head] == after[head])
        ++head;
    std::size_t tail = 0;
    while (tail < before.size() - head && tail < after.size() - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
        ++tail;
    const std::size_t removed = before.size() - head - tail;
    const std::size_t added = after.size() - head - tail;
    FUZZ_CHECK(removed <= 1);
    FUZZ_CHECK(added <= 2);
    return 0;
}
