#include "drill/drillengine.h"
