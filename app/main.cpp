#include "app/form1.h"
#include "platform/forms/application.h"

int main(int argc, char* argv[]) {
  TApplication application(argc, argv);
  Application->Initialize();
  Application->SetTitle(QStringLiteral("Brenvik"));
  if (!Application->Invoke([] { Application->CreateForm(Form1); })) return 1;
  Application->Run();
  return 0;
}
