// Any settings file text with any section, key and value: the text must come
// back byte for byte when nothing changes, and a value that was set must read
// back as written, also after the changed text is read again.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/profile_text.h"
#include "profile_read_back.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(40);
    const std::string key = input.ConsumeRandomLengthString(40);
    const std::string value = input.ConsumeRandomLengthString(80);
    const std::string contents = input.ConsumeRemainingBytesAsString();

    bv::ProfileText text(contents);
    if (text.Contents() != contents) std::abort();
    (void)text.Find(section, key);

    if (!text.Set(section, key, value)) {
        if (text.Contents() != contents) std::abort();  // a refused name changes nothing
        return 0;
    }
    const std::string expected = AsReadBack(value);
    if (text.Find(section, key) != expected) std::abort();
    if (bv::ProfileText(text.Contents()).Find(section, key) != expected) std::abort();
    return 0;
}
