// The SIMD row loops against the reference loops: random rows (seeded), every
// mode and fill, both alpha flags on each side, many opacities, unaligned
// starts and odd widths so that every row tail is exercised. Results must be
// bit-identical.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "engine/blend_kernels.h"
#include "engine/cpu_features.h"

namespace corvellane {
namespace {

struct NamedTable {
  std::string name;
  TBlendKernels table;
};

// Every SIMD table the processor can run, each built over the reference.
std::vector<NamedTable> SimdTables() {
  std::vector<NamedTable> tables;
  const TSimdLevel level = DetectSimdLevel();
  if (level >= TSimdLevel::Sse2) {
    TBlendKernels t = ReferenceKernels();
    InstallSse2Kernels(t);
    tables.push_back({"sse2", t});
  }
  if (level >= TSimdLevel::Avx2) {
    TBlendKernels t = ReferenceKernels();
    InstallAvx2Kernels(t);
    tables.push_back({"avx2", t});
  }
  return tables;
}

class SimdDifferential : public ::testing::Test {
 protected:
  static constexpr int kMaxWidth = 70;
  static constexpr int kPad = 9;  // room for unaligned starts

  void SetUp() override {
    tables_ = SimdTables();
    if (tables_.empty()) GTEST_SKIP() << "no SIMD on this processor";
  }

  // Pixels in runs of one alpha kind, so that whole registers of transparent
  // or opaque pixels (the shortcuts) occur as well as mixed ones.
  std::vector<uint32_t> RandomRow(int length) {
    std::vector<uint32_t> row(length);
    std::uniform_int_distribution<uint32_t> any;
    for (int i = 0; i < length;) {
      const int kind = int(rng_() % 5);
      const int run = 1 + int(rng_() % 12);
      for (int k = 0; k < run && i < length; ++k, ++i) {
        const uint32_t alpha = kind == 0 ? 0 : kind == 1 ? 255 : kind == 2 ? 1 + rng_() % 2 * 253 : any(rng_) >> 24;
        row[i] = (any(rng_) & 0x00FFFFFF) | alpha << 24;
      }
    }
    return row;
  }

  int RandomOpacity() {
    static constexpr int kEdges[] = {0, 1, 2, 127, 128, 129, 254, 255};
    return rng_() % 2 ? kEdges[rng_() % 8] : int(rng_() % 256);
  }

  // Runs `op(table, dst, offset, width)` on copies of one random destination
  // for the reference and every SIMD table and compares the rows.
  template <class Op>
  void Compare(const std::string& what, Op op) {
    for (int round = 0; round < 400; ++round) {
      const int width = int(rng_() % kMaxWidth);
      const int offset = int(rng_() % kPad);
      const std::vector<uint32_t> start = RandomRow(kMaxWidth + kPad);
      std::vector<uint32_t> expected = start;
      const uint64_t seed = rng_();
      std::mt19937_64 inputs(seed);
      op(ReferenceKernels(), expected.data(), offset, width, inputs);
      for (const NamedTable& t : tables_) {
        std::vector<uint32_t> actual = start;
        inputs.seed(seed);
        op(t.table, actual.data(), offset, width, inputs);
        ASSERT_EQ(actual, expected) << what << " " << t.name << " round " << round << " width " << width
                                    << " offset " << offset;
      }
    }
  }

  std::mt19937_64 rng_{20240611};
  std::vector<NamedTable> tables_;
};

// Random inputs drawn from the per-round generator so every table sees the same.
struct Inputs {
  std::vector<uint32_t> source;
  int opacity;
  bool source_alpha;
  bool dest_alpha;
  uint32_t colour;
};

TEST_F(SimdDifferential, ImageBlendsAreBitIdentical) {
  for (int mode = 0; mode < 6; ++mode) {
    Compare("image mode " + std::to_string(mode), [&](const TBlendKernels& k, uint32_t* dst, int offset, int width,
                                                       std::mt19937_64& in) {
      rng_.seed(in());
      const std::vector<uint32_t> src = RandomRow(kMaxWidth + kPad);
      const int opacity = RandomOpacity();
      const bool src_alpha = in() % 2, dst_alpha = in() % 2;
      const uint32_t* s = src.data() + in() % kPad;
      uint32_t* d = dst + offset;
      if (mode == 0) {
        if (!src_alpha && opacity == 255) {
          k.copy_row(d, s, width);
        } else if (!src_alpha) {
          k.normal_constant(d, s, width, opacity, dst_alpha);
        } else if (opacity == 255) {
          k.normal_alpha(d, s, width, dst_alpha);
        } else {
          k.normal_alpha_opacity(d, s, width, opacity, dst_alpha);
        }
      } else {
        k.image_modes[mode - 1](d, s, width, opacity, src_alpha, dst_alpha);
      }
    });
  }
}

TEST_F(SimdDifferential, FillsAreBitIdentical) {
  for (int mode = 0; mode < 6; ++mode) {
    Compare("fill mode " + std::to_string(mode), [&](const TBlendKernels& k, uint32_t* dst, int offset, int width,
                                                      std::mt19937_64& in) {
      rng_.seed(in());
      const std::vector<uint32_t> mask = RandomRow(kMaxWidth + kPad);
      const uint32_t colour = uint32_t(in());
      const int weight = RandomOpacity();
      const bool mask_alpha = in() % 2, dst_alpha = in() % 2;
      const uint32_t* m = mask.data() + in() % kPad;
      uint32_t* d = dst + offset;
      if (mode != 0) {
        k.fill_modes[mode - 1](d, m, width, colour, weight, mask_alpha, dst_alpha);
      } else if (weight == 255) {
        mask_alpha ? k.fill_mask(d, m, width, colour, dst_alpha) : k.fill_solid(d, width, colour, dst_alpha);
      } else {
        mask_alpha ? k.fill_mask_opacity(d, m, width, colour, weight, dst_alpha)
                   : k.fill_constant(d, width, colour, weight, dst_alpha);
      }
    });
  }
}

TEST_F(SimdDifferential, CopiesAreBitIdentical) {
  Compare("copy", [&](const TBlendKernels& k, uint32_t* dst, int offset, int width, std::mt19937_64& in) {
    rng_.seed(in());
    const std::vector<uint32_t> src = RandomRow(kMaxWidth + kPad);
    const std::vector<uint32_t> mask = RandomRow(kMaxWidth + kPad);
    if (in() % 2) {
      k.copy_row(dst + offset, src.data() + in() % kPad, width);
    } else {
      k.copy_masked(dst + offset, src.data() + in() % kPad, mask.data() + in() % kPad, width, in() % 2);
    }
  });
}

TEST_F(SimdDifferential, BilinearRowsAreBitIdentical) {
  Compare("bilinear", [&](const TBlendKernels& k, uint32_t* dst, int offset, int width, std::mt19937_64& in) {
    rng_.seed(in());
    const int source_width = 2 + int(in() % 40);
    const std::vector<uint32_t> row0 = RandomRow(source_width), row1 = RandomRow(source_width);
    // A step and start that keep both neighbours of every sample in the row.
    const int64_t span = int64_t(source_width - 1) << 16;  // samples in [0, span)
    int64_t step = int64_t(in() % (4 << 16)) - (2 << 16);
    if (width > 1) {
      const int64_t max_step = (span - 1) / (width - 1);
      step = std::clamp<int64_t>(step, -max_step, max_step);
    }
    const int64_t reach = step * std::max(width - 1, 0);
    const int64_t low = std::max<int64_t>(0, -reach), high = std::min(span - 1, span - 1 - reach);
    const int64_t x16 = low + int64_t(in() % uint64_t(high - low + 1));
    k.bilinear_row(dst + offset, row0.data(), row1.data(), x16, step, width, int(in() % 128), in() % 2);
  });
}

// Rows longer than the stretches the enlarging loops work in, at steps that
// enlarge (and shrink to half), with every vertical weight.
TEST_F(SimdDifferential, LongEnlargingRowsAreBitIdentical) {
  for (int round = 0; round < 60; ++round) {
    const int width = 300 + int(rng_() % 500);
    const int64_t step = 1 + int64_t(rng_() % (2 << 16));
    const int source_width = int(((width - 1) * step) >> 16) + 2 + int(rng_() % 3);
    const std::vector<uint32_t> row0 = RandomRow(source_width), row1 = RandomRow(source_width);
    const int64_t x16 = int64_t(rng_() % 65536) % ((int64_t(source_width - 1) << 16) - (width - 1) * step);
    const int fy = round % 3 == 0 ? 0 : int(rng_() % 128);
    std::vector<uint32_t> expected(width);
    ReferenceKernels().bilinear_row(expected.data(), row0.data(), row1.data(), x16, step, width, fy, round % 2);
    for (const NamedTable& t : tables_) {
      std::vector<uint32_t> actual(width);
      t.table.bilinear_row(actual.data(), row0.data(), row1.data(), x16, step, width, fy, round % 2);
      ASSERT_EQ(actual, expected) << t.name << " round " << round << " step " << step << " fy " << fy;
    }
  }
}

TEST_F(SimdDifferential, BilinearAffineRowsAreBitIdentical) {
  Compare("bilinear affine", [&](const TBlendKernels& k, uint32_t* dst, int offset, int width, std::mt19937_64& in) {
    rng_.seed(in());
    const int source_width = 2 + int(in() % 30), source_height = 2 + int(in() % 30);
    const std::vector<uint32_t> source = RandomRow(source_width * source_height);
    // A start and steps in any direction (up to 2 pixels either way) that
    // keep all four neighbours of every sample inside the source.
    const auto axis = [&](int side, int64_t& start, int64_t& step) {
      const int64_t span = int64_t(side - 1) << 16;
      step = int64_t(in() % (4 << 16)) - (2 << 16);
      if (width > 1) step = std::clamp<int64_t>(step, -(span - 1) / (width - 1), (span - 1) / (width - 1));
      const int64_t reach = step * std::max(width - 1, 0);
      const int64_t low = std::max<int64_t>(0, -reach), high = std::min(span - 1, span - 1 - reach);
      start = low + int64_t(in() % uint64_t(high - low + 1));
    };
    int64_t u16 = 0, du = 0, v16 = 0, dv = 0;
    axis(source_width, u16, du);
    axis(source_height, v16, dv);
    k.bilinear_affine_row(dst + offset, source.data(), source_width, u16, v16, du, dv, width, in() % 2);
  });
}

}  // namespace
}  // namespace corvellane
