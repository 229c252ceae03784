#pragma once
// The colour picker under its first header name.
#include "tracing/colour_picker.h"
