// One normalisation of a full image against its template, as before every save and clone write.
// The image is refilled from a copy each time so that every pass has names, identification numbers
// and a factory block to repair; the copy alone is measured beside it. The goal is under 1 ms.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "app/normalise_image.h"
#include "model/eeprom.h"

namespace {

struct Images {
    Images() {
        for (cmcEeprom* image : {&loaded, &working, &templ})
            image->SetSize(kImageSize);
        for (int32_t a = 0; a < kImageSize; ++a) {
            templ.SetByte(a, static_cast<uint8_t>(a * 7 + 3));
            loaded.SetByte(a, static_cast<uint8_t>((a * 7 + 3) ^ 0x5A));
        }
    }
    cmcEeprom loaded;
    cmcEeprom working;
    cmcEeprom templ;
};

void BM_CopyImage(benchmark::State& state) {
    Images images;
    for (auto _ : state) {
        images.working.Assign(images.loaded);
        benchmark::DoNotOptimize(images.working.GetByte(0));
    }
}
BENCHMARK(BM_CopyImage)->Unit(benchmark::kMicrosecond);

void BM_CopyAndNormaliseImage(benchmark::State& state) {
    Images images;
    for (auto _ : state) {
        images.working.Assign(images.loaded);
        NormaliseImage(images.working, images.templ, 15, clsNormaliseMode::kBeforeWrite);
        benchmark::DoNotOptimize(images.working.GetByte(0x02B3));
    }
}
BENCHMARK(BM_CopyAndNormaliseImage)->Unit(benchmark::kMicrosecond);

}  // namespace
