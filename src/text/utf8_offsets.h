#pragma once
// Byte offsets in the UTF-8 form of a code page 936 text, turned back into byte
// offsets of the text itself. The regular-expression engine sees UTF-8, the callers
// count code page 936 bytes.
#include <cstddef>
#include <string_view>
#include <vector>

namespace text {

// Rewrites each offset into `utf8` (which must be host::cp936ToUtf8(cp936)) as the
// offset of the same character boundary in `cp936`. Offsets equal to `skip` are left
// alone; an offset inside a character or beyond the end is taken to the end of the
// character. One pass over the text when the offsets come in ascending order.
void mapUtf8Offsets(std::string_view cp936, std::string_view utf8, const std::vector<size_t*>& offsets,
                    size_t skip);

}  // namespace text
