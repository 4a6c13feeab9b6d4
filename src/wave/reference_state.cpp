#include "wave/reference_state.h"

std::optional<ReferenceSegment> heldReference;
bool differenceShown = false;
