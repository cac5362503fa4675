#include "math/Math.h"

#include "foundation/Report.h"
#include "foundation/Utils.h"

#include <algorithm>
#include <cmath>

namespace bg {

int nextPowerOfTwo(int n) {
    // 2^31 is not an int: above 2^30 the answer is the largest power there is.
    if (n > (1 << 30)) {
        BG_WARNING("nextPowerOfTwo( n ) : n > 2^30, 2^30 returned");
        return 1 << 30;
    }
    int power = 1;
    while (power < n) power *= 2;
    return power;
}

bool isPowerOfTwo(int n) { return n >= 1 && (n & (n - 1)) == 0; }

} // namespace bg
