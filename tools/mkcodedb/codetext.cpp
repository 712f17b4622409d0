#include "codetext.h"
