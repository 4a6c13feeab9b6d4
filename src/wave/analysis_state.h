#pragma once

class PrivateHeap;

// The state that every callback shares: the loaded wave, the segment length N, the segment
// and its spectrum buffers. All start at zero or null.
//
// Invariants every handler relies on:
//  - a wave is loaded exactly when siii is not null; it then has maxsize (0 … 22050) samples;
//  - a segment exists exactly when seliii is not null; it then has selsize ≤ maxsize samples,
//    and selRe, selIm, power and phase are not null and have selsize entries each;
//  - while seliii is null the four double arrays may still hold an older, larger segment's
//    buffers, which nothing reads until they are made again.
// A buffer that is replaced is released first and its pointer set to null.
extern long maxsize;
extern short* siii;
extern long selsize;
extern short* seliii;
extern double* selRe;
extern double* selIm;
extern double* power;
extern double* phase;
extern long sampleFreq;  // 44100 once a file has passed the rate check, 0 before
// The reader's temporary buffers, only during one load. One per thread, so that sefaro-cli's
// threads can read files side by side; the window reads on its one thread alone.
extern thread_local PrivateHeap* m_hHeap;
