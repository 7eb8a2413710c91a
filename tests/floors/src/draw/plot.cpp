#include "cli/commandline.h"
