#pragma once

#include <QString>

#include <functional>

class CHtmlView;

// Form auto-fill on a page: the texts of its single-line text fields are stored
// under the page title and written back later, by position.
namespace FormFill {

// Stores the fields of the view's page, asking before it replaces a stored
// form. newFile learns the file name when the page had none before.
void RegisterForm(CHtmlView& view, const std::function<void(const QString& fileName)>& newFile);

// Writes the stored texts back into the fields of the view's page when it is
// the page they were stored from.
void FillForm(CHtmlView& view);

} // namespace FormFill
