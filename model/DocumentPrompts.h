#pragma once

#include <cstdint>
#include <string>

namespace kadenzo {

// The athlete profile as the profile dialog edits it.
struct AthleteProfile {
    std::int32_t maxHeartRate = 0;  // beats per minute; 20 and below: not entered
    std::int32_t hrFormula = -1;    // 0: 220 - age, 1: 210 - age, -1: not chosen
    std::int32_t birthDate = 0;     // seconds since 1970
};

// The questions and messages the document needs from the user. The desktop
// program shows message boxes and the profile dialog; tests answer themselves.
class DocumentPrompts {
public:
    enum class Answer { Yes, No, Dismissed };

    virtual ~DocumentPrompts() = default;
    // A Yes/No question with a question icon; messageId is 33058 or 33059.
    virtual Answer Ask(std::uint32_t messageId, const std::string& text) = 0;
    // A warning with an exclamation icon and an OK button (33023 or 33024).
    virtual void Warn(std::uint32_t messageId, const std::string& text) = 0;
    // The athlete profile dialog as a first-time prompt; the values in `profile`
    // are taken back however the dialog is closed.
    virtual void EditProfile(AthleteProfile& profile) = 0;
};

}  // namespace kadenzo
