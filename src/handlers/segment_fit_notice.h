#pragma once

// After a size change: without a segment, the segment and spectrum plots show their empty
// frames instead of pictures of another size, their tooltips say why, and the captions read
// no bin; with a segment, those tooltips go.
void showSegmentFitNotice(bool has_segment);
