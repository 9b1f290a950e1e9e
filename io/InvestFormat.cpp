#include "io/InvestFormat.h"
