#define PCRE2_CODE_UNIT_WIDTH 8
#include "text/regex_object.h"

#include <pcre2.h>

#include "host/codepage.h"
#include "text/cp936.h"
#include "text/utf8_offsets.h"

namespace {

template <typename T, void (*Free)(T*)>
struct Deleter {
  void operator()(T* p) const { Free(p); }
};
using CompileContext = std::unique_ptr<pcre2_compile_context, Deleter<pcre2_compile_context, pcre2_compile_context_free>>;
using Code = std::unique_ptr<pcre2_code, Deleter<pcre2_code, pcre2_code_free>>;
using MatchData = std::unique_ptr<pcre2_match_data, Deleter<pcre2_match_data, pcre2_match_data_free>>;
using MatchContext = std::unique_ptr<pcre2_match_context, Deleter<pcre2_match_context, pcre2_match_context_free>>;
using JitStack = std::unique_ptr<pcre2_jit_stack, Deleter<pcre2_jit_stack, pcre2_jit_stack_free>>;

// The component's dialect: "." and Multiline "^"/"$" know only "\n" as a line end,
// "$" alone is the end of the text, [] matches nothing, a reference to a group that
// has not matched matches the empty text, and \uHHHH is a character. \C could cut a
// character in two, so it is refused.
uint32_t compileOptions(bool caseSensitive, bool multiline) {
  uint32_t options = PCRE2_UTF | PCRE2_NEVER_BACKSLASH_C | PCRE2_ALT_BSUX | PCRE2_ALLOW_EMPTY_CLASS |
                     PCRE2_MATCH_UNSET_BACKREF;
  if (!caseSensitive) options |= PCRE2_CASELESS;
  options |= multiline ? PCRE2_MULTILINE : PCRE2_DOLLAR_ENDONLY;
  return options;
}

size_t utf8Length(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

}  // namespace

RegexObject::RegexObject() = default;

RegexObject::~RegexObject() { clear(); }

void RegexObject::clear() {
  executed_ = ok_ = mapped_ = false;
  pattern_.clear();
  text_.clear();
  utf8_.clear();
  groups_ = 0;
  spans_.clear();
}

bool RegexObject::execute(std::string_view pattern, std::string_view text, bool caseSensitive, bool multiline,
                          bool global, bool quoteMarker) {
  clear();
  executed_ = true;
  try {
    pattern_ = quoteMarker ? text::replaceText(pattern, "#引号", "\"") : std::string(pattern);
    text_.assign(text);
    const std::string utf8Pattern = host::cp936ToUtf8(pattern_);
    CompileContext context(pcre2_compile_context_create(nullptr));
    if (!context) return false;
    pcre2_set_newline(context.get(), PCRE2_NEWLINE_LF);
    int error = 0;
    PCRE2_SIZE errorOffset = 0;
    Code code(pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8Pattern.data()), utf8Pattern.size(),
                            compileOptions(caseSensitive, multiline), &error, &errorOffset, context.get()));
    if (!code) return false;
    pcre2_jit_compile(code.get(), PCRE2_JIT_COMPLETE);  // without JIT the interpreter runs
    uint32_t captures = 0;
    pcre2_pattern_info(code.get(), PCRE2_INFO_CAPTURECOUNT, &captures);
    MatchData data(pcre2_match_data_create_from_pattern(code.get(), nullptr));
    MatchContext matchContext(pcre2_match_context_create(nullptr));
    JitStack stack(pcre2_jit_stack_create(32 * 1024, 1024 * 1024, nullptr));
    if (!data || !matchContext) return false;
    if (stack) pcre2_jit_stack_assign(matchContext.get(), nullptr, stack.get());

    utf8_ = host::cp936ToUtf8(text_);
    const auto* subject = reinterpret_cast<PCRE2_SPTR>(utf8_.data());
    const size_t length = utf8_.size();
    const PCRE2_SIZE* ovector = pcre2_get_ovector_pointer(data.get());
    std::vector<Span> found;
    for (size_t from = 0; from <= length;) {
      // The text came out of our own conversion, so it is valid UTF-8.
      const int rc = pcre2_match(code.get(), subject, length, from, PCRE2_NO_UTF_CHECK, data.get(),
                                 matchContext.get());
      if (rc == PCRE2_ERROR_NOMATCH) break;
      if (rc < 0) {  // match or depth limit, JIT stack: the search is lost
        utf8_.clear();
        return false;
      }
      for (uint32_t g = 0; g <= captures; ++g) {
        const size_t start = ovector[2 * g], end = ovector[2 * g + 1];
        if (start == PCRE2_UNSET || g >= static_cast<uint32_t>(rc)) found.push_back({unset, unset});
        else found.push_back({start, end});
      }
      if (!global) break;
      // As in the component: go on where the match ended, one character further
      // after an empty match.
      const size_t end = ovector[1];
      if (end > ovector[0] && end > from) from = end;
      else if (end < length) from = std::max(end, from) + utf8Length(utf8_[std::max(end, from)]);
      else break;
    }
    groups_ = static_cast<long>(captures);
    spans_ = std::move(found);
    ok_ = true;
    return true;
  } catch (...) {  // out of memory for a huge text: the empty result
    spans_.clear();
    utf8_.clear();
    return false;
  }
}

std::string RegexObject::patternText() const { return executed_ ? pattern_ : std::string(); }

long RegexObject::matchCount() const {
  return ok_ ? static_cast<long>(spans_.size() / static_cast<size_t>(groups_ + 1)) : 0;
}

long RegexObject::subMatchCount() const { return matchCount() > 0 ? groups_ : 0; }

void RegexObject::mapSpans() {
  if (mapped_) return;
  std::vector<size_t*> offsets;
  offsets.reserve(spans_.size() * 2);
  for (Span& s : spans_) {
    offsets.push_back(&s.start);
    offsets.push_back(&s.end);
  }
  text::mapUtf8Offsets(text_, utf8_, offsets, unset);
  mapped_ = true;
  utf8_.clear();
  utf8_.shrink_to_fit();
}

const RegexObject::Span* RegexObject::span(long n, long k) {
  if (n < 1 || n > matchCount() || k < 0 || k > groups_) return nullptr;
  mapSpans();
  return &spans_[static_cast<size_t>(n - 1) * static_cast<size_t>(groups_ + 1) + static_cast<size_t>(k)];
}

void RegexObject::outOfRange(long* position) const {
  if (position) *position = text_.empty() ? -2 : 0;
}

std::string RegexObject::matchText(long n, long* position) {
  const Span* s = span(n, 0);
  if (!s) {
    outOfRange(position);
    return {};
  }
  if (position) *position = static_cast<long>(s->start);
  return text_.substr(s->start, s->end - s->start);
}

std::string RegexObject::subMatchText(long n, long k, long* position) {
  const Span* s = k >= 1 ? span(n, k) : nullptr;
  if (!s) {
    outOfRange(position);
    return {};
  }
  if (s->start == unset) {
    if (position) *position = -1;
    return {};
  }
  if (position) *position = static_cast<long>(s->start);
  return text_.substr(s->start, s->end - s->start);
}

std::string RegexObject::replaceAll(std::string_view replacement) {
  if (!ok_) return {};
  mapSpans();
  const size_t stride = static_cast<size_t>(groups_ + 1);
  const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
  std::string out;
  out.reserve(text_.size());
  size_t copied = 0;
  for (size_t m = 0; m < spans_.size(); m += stride) {
    const Span& whole = spans_[m];
    if (whole.start < copied) continue;  // never: matches come in order without overlap
    out.append(text_, copied, whole.start - copied);
    const auto group = [&](long g) {
      const Span& s = spans_[m + static_cast<size_t>(g)];
      if (s.start != unset) out.append(text_, s.start, s.end - s.start);
    };
    // "$" and the digits are below 0x40, so they are never the second byte of a
    // double-byte character and a byte scan is safe.
    for (size_t i = 0; i < replacement.size(); ++i) {
      const char c = replacement[i];
      const char d = i + 1 < replacement.size() ? replacement[i + 1] : '\0';
      if (c != '$' || d == '\0') {
        out += c;
      } else if (d == '$') {
        out += '$', ++i;
      } else if (d == '&') {
        group(0), ++i;
      } else if (d == '`') {
        out.append(text_, 0, whole.start), ++i;
      } else if (d == '\'') {
        out.append(text_, whole.end), ++i;
      } else if (isDigit(d)) {
        const char e = i + 2 < replacement.size() ? replacement[i + 2] : '\0';
        const long two = isDigit(e) ? (d - '0') * 10 + (e - '0') : 0;
        const long one = d - '0';
        if (two >= 1 && two <= groups_) group(two), i += 2;
        else if (one >= 1 && one <= groups_) group(one), ++i;
        else out += c;
      } else {
        out += c;
      }
    }
    copied = whole.end;
  }
  out.append(text_, copied);
  return out;
}
