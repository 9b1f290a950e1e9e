#include "io/PortfolioLoader.h"
