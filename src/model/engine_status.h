#pragma once

#include <string>

class cmcEngineHost;

// The status bar's message panel, as the engine uses it: overlay texts in the normal colours.
void ClearStatus(cmcEngineHost& host);
void ShowStatus(cmcEngineHost& host, const std::string& key);
// Shown after the current request has been handled (and the status cleared by it).
void ShowStatusLater(cmcEngineHost& host, const std::string& key);
