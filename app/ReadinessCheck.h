#pragma once
// "&Tjek": whether the context has what a generation run needs, a
// dictionary with words and a path with stops. The run loop itself only
// refuses a missing path (app/GenerationRun.h); this check is the one the
// user asks for before starting.
//
//   if (checkReadiness(context)) runGeneration(context, AttemptKind::WithoutLetters);

namespace vorkel {

class ApplicationContext;

// True when a dictionary and a path are there; otherwise tells the user
// through the context's Ui which is missing (the dictionary first).
bool checkReadiness(ApplicationContext& context);

}  // namespace vorkel
