#include "app/updatereminder.h"

void UpdateReminder() { }
