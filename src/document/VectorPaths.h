#pragma once
#ifdef __SSE2__
#include <emmintrin.h>
#endif

// Whether the SSE2 paths are taken where the build has them. KELVO_SCALAR
// in the environment turns them off, so that the tests run the scalar
// paths of the same build as well; the results are the same either way.
bool vectorPaths();
