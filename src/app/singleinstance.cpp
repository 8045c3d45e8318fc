#include "app/singleinstance.h"
