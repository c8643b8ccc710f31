#include "drill/keyhinttable.h"
