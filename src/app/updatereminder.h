#pragma once

// Every fifteen days or more, offers at start-up to open the download page.
void UpdateReminder();
