// The form's binding table: which handler each bound event calls.
#pragma once

#include <cstddef>

#include "app/events.h"

extern const Binding kFormBindings[];
extern const size_t kFormBindingCount;
