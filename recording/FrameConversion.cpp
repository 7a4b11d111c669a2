#include "recording/FrameConversion.h"

#include <libyuv/convert_from_argb.h>

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// The chroma of one pair of rows from the average of each two by two pixels, with BT.601's
// limited-range coefficients to 15 bits (libyuv's own chroma is a level off at times, which
// decodes to three levels in blue). `step` is 1 for separate planes and 2 for NV12's pairs.
void chromaRowPlain(const uint8_t* a, const uint8_t* b, int pairs, uint8_t* u, uint8_t* v, int step)
{
    for (int x = 0; x < pairs; ++x) {
        const int r = a[8 * x + 2] + a[8 * x + 6] + b[8 * x + 2] + b[8 * x + 6];
        const int g = a[8 * x + 1] + a[8 * x + 5] + b[8 * x + 1] + b[8 * x + 5];
        const int bl = a[8 * x] + a[8 * x + 4] + b[8 * x] + b[8 * x + 4];
        u[x * step] = uint8_t((-4857 * r - 9535 * g + 14392 * bl + (128 << 17) + (1 << 16)) >> 17);
        v[x * step] = uint8_t((14392 * r - 12052 * g - 2340 * bl + (128 << 17) + (1 << 16)) >> 17);
    }
}

#if defined(__SSE2__)
// The sums over both rows of pixels 0+1 and 2+3 of 16 bytes: B, G, R, A, B, G, R, A in 16 bits.
inline __m128i pairSums(const uint8_t* a, const uint8_t* b)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i ra = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a));
    const __m128i rb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b));
    const __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(ra, zero), _mm_unpacklo_epi8(rb, zero));
    const __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(ra, zero), _mm_unpackhi_epi8(rb, zero));
    return _mm_add_epi16(_mm_unpacklo_epi64(lo, hi), _mm_unpackhi_epi64(lo, hi));
}

// Four chroma values in 32 bits from two vectors of pair sums and the weights (b, g, r, 0):
// the same integer sums as chromaRowPlain.
inline __m128i weigh(__m128i first, __m128i second, __m128i weights)
{
    const __m128i bias = _mm_set1_epi32((128 << 17) + (1 << 16));
    __m128i m0 = _mm_madd_epi16(first, weights);
    __m128i m1 = _mm_madd_epi16(second, weights);
    m0 = _mm_shuffle_epi32(_mm_add_epi32(m0, _mm_srli_epi64(m0, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    m1 = _mm_shuffle_epi32(_mm_add_epi32(m1, _mm_srli_epi64(m1, 32)), _MM_SHUFFLE(3, 1, 2, 0));
    return _mm_srai_epi32(_mm_add_epi32(_mm_unpacklo_epi64(m0, m1), bias), 17);
}
#endif

// chromaRowPlain, eight pairs at a time where the processor allows.
void chromaRow(const uint8_t* a, const uint8_t* b, int pairs, uint8_t* u, uint8_t* v, int step)
{
    int x = 0;
#if defined(__SSE2__)
    const __m128i weightsU = _mm_setr_epi16(14392, -9535, -4857, 0, 14392, -9535, -4857, 0);
    const __m128i weightsV = _mm_setr_epi16(-2340, -12052, 14392, 0, -2340, -12052, 14392, 0);
    for (; x + 8 <= pairs; x += 8) {
        const uint8_t* ra = a + 8 * x;
        const uint8_t* rb = b + 8 * x;
        const __m128i s0 = pairSums(ra, rb);
        const __m128i s1 = pairSums(ra + 16, rb + 16);
        const __m128i s2 = pairSums(ra + 32, rb + 32);
        const __m128i s3 = pairSums(ra + 48, rb + 48);
        const __m128i u16 = _mm_packs_epi32(weigh(s0, s1, weightsU), weigh(s2, s3, weightsU));
        const __m128i v16 = _mm_packs_epi32(weigh(s0, s1, weightsV), weigh(s2, s3, weightsV));
        const __m128i both = _mm_packus_epi16(u16, v16); // eight of u, then eight of v
        if (step == 1) {
            _mm_storel_epi64(reinterpret_cast<__m128i*>(u + x), both);
            _mm_storel_epi64(reinterpret_cast<__m128i*>(v + x), _mm_srli_si128(both, 8));
        } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(u + 2 * x), _mm_unpacklo_epi8(both, _mm_srli_si128(both, 8)));
        }
    }
#endif
    chromaRowPlain(a + 8 * x, b + 8 * x, pairs - x, u + x * step, v + x * step, step);
}

} // namespace

namespace FrameConversion {

qint64 frameBytes(const QSize& size, FrameLayout layout)
{
    if (!size.isValid())
        return 0;
    const qint64 pixels = qint64(size.width()) * size.height();
    return layout == FrameLayout::Bgra ? pixels * 4 : pixels + 2 * (qint64(size.width() / 2) * (size.height() / 2));
}

QByteArray fourcc(FrameLayout layout)
{
    switch (layout) {
    case FrameLayout::I420:
        return QByteArrayLiteral("I420");
    case FrameLayout::Nv12:
        return QByteArrayLiteral("NV12");
    case FrameLayout::Bgra:
        break;
    }
    return QByteArrayLiteral("BGRA");
}

void convertInto(const QImage& source, FrameLayout layout, uchar* out)
{
    const int w = source.width();
    const int h = source.height();
    if (layout == FrameLayout::Bgra) {
        for (int row = 0; row < h; ++row)
            std::memcpy(out + qint64(row) * w * 4, source.constScanLine(row), size_t(w) * 4);
        return;
    }
    // Luma with libyuv, chroma at a quarter of the pixels with full precision, two rows at a
    // time: each pair of rows is read from memory once for both.
    uint8_t* y = out;
    uint8_t* chroma = y + qint64(w) * h;
    const qint64 quarter = qint64(w / 2) * (h / 2);
    for (int row = 0; row + 1 < h; row += 2) {
        const uint8_t* a = source.constScanLine(row);
        const uint8_t* b = source.constScanLine(row + 1);
        libyuv::ARGBToI400(a, int(source.bytesPerLine()), y + qint64(row) * w, w, w, 2);
        if (layout == FrameLayout::I420) {
            uint8_t* u = chroma + qint64(row / 2) * (w / 2);
            chromaRow(a, b, w / 2, u, u + quarter, 1);
        } else {
            uint8_t* uv = chroma + qint64(row / 2) * w;
            chromaRow(a, b, w / 2, uv, uv + 1, 2);
        }
    }
    if (h % 2)
        libyuv::ARGBToI400(source.constScanLine(h - 1), int(source.bytesPerLine()), y + qint64(h - 1) * w, w, w, 1);
}

} // namespace FrameConversion
