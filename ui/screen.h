#pragma once
// The process's list of forms, in creation order, and the active one.
#include <cstddef>
#include <vector>

class TCustomForm;

class TScreen {
public:
    size_t FormCount() const { return forms_.size(); }
    TCustomForm* Forms(size_t index) const { return forms_[index]; }
    // The form whose window is active, if it is one of ours.
    TCustomForm* ActiveForm() const;

    void RegisterForm(TCustomForm* form);
    void UnregisterForm(TCustomForm* form);

private:
    std::vector<TCustomForm*> forms_;
};

TScreen& Screen();
