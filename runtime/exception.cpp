#include "runtime/exception.h"
