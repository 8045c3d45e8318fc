#include "referral/referral.h"
