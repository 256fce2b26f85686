#pragma once

namespace kadenzo {

class CKadenzoApp;

// The weekly look at the maker's information file. Not built yet: it does
// nothing and start-up goes on at once.
void RunWebInfoCheck(CKadenzoApp& app);

}  // namespace kadenzo
