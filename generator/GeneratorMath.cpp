#include "generator/GeneratorMath.h"
