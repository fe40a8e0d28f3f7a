#include "app/bindings.h"

// Which handler each bound event of the form calls. Any other event finds no
// row here and has no effect.
const Binding kFormBindings[] = {
    {0, 0, nullptr, nullptr, nullptr},
};

const size_t kFormBindingCount = 0;
