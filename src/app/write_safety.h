#pragma once

#include <cstdint>
#include <string>

#include "app/image_diff.h"

class cmcGTex;

// What a clone write will change in the radio, shown to the user before it starts: the cells
// whose text differs between the radio's memory (before) and the memory the write leaves there
// (after), and whether the radio is another model type or another radio than the document's.
struct datWriteReview {
    datImageDifferences changes;
    int32_t radioModelType = 0;
    int32_t documentModelType = 0;
    std::string radioIdentity;
    std::string documentIdentity;
    bool IsOtherModel() const { return radioModelType != documentModelType; }
    bool IsOtherRadio() const { return radioIdentity != documentIdentity; }
};

// The review as one text: the warnings first, then every change, then the question.
std::string ComposeWriteReview(cmcGTex& gtex, const datWriteReview& review);
// The verify's report of a radio that does not hold what was written (before: what was written,
// after: what the radio holds).
std::string ComposeVerifyDifferences(cmcGTex& gtex, const datImageDifferences& differences);
