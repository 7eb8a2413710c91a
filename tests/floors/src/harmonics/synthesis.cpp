#include "pulsetrain/pulsetrainplot.h"
#include "draw/plot.h"
