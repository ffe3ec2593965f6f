#include "wizard/AccessKey.h"

#include "platform/ShiftJisPath.h"

char AccessKeyOf(const std::string& text) {
  for (size_t i = 0; i < text.size(); ++i) {
    unsigned char byte = static_cast<unsigned char>(text[i]);
    if (IsLeadByte(byte)) {
      ++i;
    } else if (byte == '&' && i + 1 < text.size()) {
      unsigned char next = static_cast<unsigned char>(text[i + 1]);
      if (next == '&') {
        ++i;
      } else if (!IsLeadByte(next)) {
        return static_cast<char>(next >= 'a' && next <= 'z' ? next - 'a' + 'A' : next);
      }
    }
  }
  return 0;
}
