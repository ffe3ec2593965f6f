#include "cipher/Sha256.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <cpuid.h>
#include <immintrin.h>
#define ZEP_SHA_INSTRUCTIONS 1
#endif

namespace {
constexpr uint32_t kRoundConstants[64] = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr uint32_t kInitialState[8] = {0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a,
                                       0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19};

inline uint32_t RotateRight(uint32_t value, int bits) { return (value >> bits) | (value << (32 - bits)); }

inline uint32_t BigEndianAt(const uint8_t* bytes) {
  return uint32_t{bytes[0]} << 24 | uint32_t{bytes[1]} << 16 | uint32_t{bytes[2]} << 8 | bytes[3];
}

void CompressPortable(uint32_t* state, const uint8_t* blocks, size_t count) {
  for (; count > 0; --count, blocks += 64) {
    uint32_t schedule[64];
    for (int i = 0; i < 16; ++i) schedule[i] = BigEndianAt(blocks + 4 * i);
    for (int i = 16; i < 64; ++i) {
      const uint32_t s0 =
          RotateRight(schedule[i - 15], 7) ^ RotateRight(schedule[i - 15], 18) ^ (schedule[i - 15] >> 3);
      const uint32_t s1 =
          RotateRight(schedule[i - 2], 17) ^ RotateRight(schedule[i - 2], 19) ^ (schedule[i - 2] >> 10);
      schedule[i] = schedule[i - 16] + s0 + schedule[i - 7] + s1;
    }
    uint32_t a = state[0], b = state[1], c = state[2], d = state[3];
    uint32_t e = state[4], f = state[5], g = state[6], h = state[7];
    for (int i = 0; i < 64; ++i) {
      const uint32_t t1 = h + (RotateRight(e, 6) ^ RotateRight(e, 11) ^ RotateRight(e, 25)) +
                          ((e & f) ^ (~e & g)) + kRoundConstants[i] + schedule[i];
      const uint32_t t2 =
          (RotateRight(a, 2) ^ RotateRight(a, 13) ^ RotateRight(a, 22)) + ((a & b) ^ (a & c) ^ (b & c));
      h = g;
      g = f;
      f = e;
      e = d + t1;
      d = c;
      c = b;
      b = a;
      a = t1 + t2;
    }
    state[0] += a;
    state[1] += b;
    state[2] += c;
    state[3] += d;
    state[4] += e;
    state[5] += f;
    state[6] += g;
    state[7] += h;
  }
}

#ifdef ZEP_SHA_INSTRUCTIONS
// True when the processor has the SHA instructions and the SSSE3 and SSE4.1 ones that
// move their operands into place.
bool HasShaInstructions() {
  unsigned eax = 0, ebx = 0, ecx = 0, edx = 0;
  if (!__get_cpuid(1, &eax, &ebx, &ecx, &edx) || !(ecx & bit_SSSE3) || !(ecx & bit_SSE4_1)) return false;
  return __get_cpuid_count(7, 0, &eax, &ebx, &ecx, &edx) && (ebx & bit_SHA);
}

// The rounds on the SHA instructions. They keep the state as two registers, ABEF and
// CDGH (a in the highest word), and do two rounds a step; the message schedule goes four
// words at a time. A 32-bit Windows caller may hand over a stack aligned to 4 bytes
// only, too little for the registers spilled to it: the stack is aligned here.
#ifdef __i386__
__attribute__((force_align_arg_pointer))
#endif
__attribute__((target("sha,ssse3,sse4.1"))) void
CompressWithShaInstructions(uint32_t* state, const uint8_t* blocks, size_t count) {
  // Turns the big-endian words of a block into the register's own order.
  const __m128i byteOrder = _mm_set_epi64x(0x0c0d0e0f08090a0bULL, 0x0405060700010203ULL);
  const __m128i dcba = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state)), 0xB1);
  const __m128i hgfe = _mm_shuffle_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(state + 4)), 0x1B);
  __m128i abef = _mm_alignr_epi8(dcba, hgfe, 8);
  __m128i cdgh = _mm_blend_epi16(hgfe, dcba, 0xF0);
  for (; count > 0; --count, blocks += 64) {
    const __m128i abefBefore = abef, cdghBefore = cdgh;
    __m128i words[4];  // the schedule's last 16 words, 4 to a register, by group % 4
    for (int group = 0; group < 16; ++group) {
      __m128i& current = words[group % 4];
      if (group < 4) {
        current = _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(blocks + 16 * group)),
                                   byteOrder);
      } else {
        const __m128i& last = words[(group + 3) % 4];
        const __m128i& beforeLast = words[(group + 2) % 4];
        current = _mm_sha256msg1_epu32(current, words[(group + 1) % 4]);
        current = _mm_add_epi32(current, _mm_alignr_epi8(last, beforeLast, 4));
        current = _mm_sha256msg2_epu32(current, last);
      }
      __m128i message = _mm_add_epi32(
          current, _mm_loadu_si128(reinterpret_cast<const __m128i*>(kRoundConstants + 4 * group)));
      cdgh = _mm_sha256rnds2_epu32(cdgh, abef, message);
      message = _mm_shuffle_epi32(message, 0x0E);
      abef = _mm_sha256rnds2_epu32(abef, cdgh, message);
    }
    abef = _mm_add_epi32(abef, abefBefore);
    cdgh = _mm_add_epi32(cdgh, cdghBefore);
  }
  const __m128i feba = _mm_shuffle_epi32(abef, 0x1B);
  const __m128i dchg = _mm_shuffle_epi32(cdgh, 0xB1);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state), _mm_blend_epi16(feba, dchg, 0xF0));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(state + 4), _mm_alignr_epi8(dchg, feba, 8));
}
#endif

using Compressor = void (*)(uint32_t* state, const uint8_t* blocks, size_t count);

Compressor FastestRounds() {
#ifdef ZEP_SHA_INSTRUCTIONS
  static const bool hasShaInstructions = HasShaInstructions();
  if (hasShaInstructions) return CompressWithShaInstructions;
#endif
  return CompressPortable;
}
}  // namespace

Sha256::Sha256(Rounds rounds) : compress_(rounds == Rounds::Fastest ? FastestRounds() : CompressPortable) {
  std::memcpy(state_, kInitialState, sizeof state_);
}

void Sha256::Add(const void* bytes, size_t count) {
  const auto* data = static_cast<const uint8_t*>(bytes);
  totalBytes_ += count;
  if (pendingCount_ > 0) {
    const size_t taken = count < 64 - pendingCount_ ? count : 64 - pendingCount_;
    std::memcpy(pending_ + pendingCount_, data, taken);
    pendingCount_ += taken;
    data += taken;
    count -= taken;
    if (pendingCount_ < 64) return;
    compress_(state_, pending_, 1);
    pendingCount_ = 0;
  }
  compress_(state_, data, count / 64);
  data += count / 64 * 64;
  count %= 64;
  std::memcpy(pending_, data, count);
  pendingCount_ = count;
}

std::string Sha256::HexDigest() {
  const uint64_t bits = totalBytes_ * 8;
  uint8_t tail[72] = {0x80};
  const size_t padding = (pendingCount_ < 56 ? 56 : 120) - pendingCount_;
  for (int i = 0; i < 8; ++i) tail[padding + i] = static_cast<uint8_t>(bits >> (56 - 8 * i));
  Add(tail, padding + 8);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (uint32_t word : state_)
    for (int shift = 28; shift >= 0; shift -= 4) hex += kDigits[(word >> shift) & 0xF];
  return hex;
}
