#include "wave/analysis_state.h"

long maxsize = 0;
short* siii = nullptr;
long selsize = 0;
short* seliii = nullptr;
double* selRe = nullptr;
double* selIm = nullptr;
double* power = nullptr;
double* phase = nullptr;
long sampleFreq = 0;
thread_local PrivateHeap* m_hHeap = nullptr;
