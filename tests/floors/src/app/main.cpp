#include "draw/plot.h"
