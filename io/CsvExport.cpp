#include "io/CsvExport.h"
