// Stand-ins for what the module defines: the gauge header and the click.
#include "cdu_test_support.h"

#include "click.h"

GaugeHeader VeldraGaugeHeader{};

int ClickCount = 0;

void PlayClick() {
    ++ClickCount;
}
