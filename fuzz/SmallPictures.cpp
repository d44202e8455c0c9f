// Linked into every picture fuzzer. A few bytes can declare a picture at the program's limits,
// and decoding one under the sanitizers takes longer than an input is given; such inputs would
// only spend the fuzzing time. The readers take the same paths under smaller limits.
#include "platform/PictureLimits.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    pictureLimits() = PictureLimits{4096, 4'000'000};
    return 0;
}
