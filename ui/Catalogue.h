#pragma once
// The catalogue screen: the folder tree of puzzles on the centred background picture.
#include "library/DataFolder.h"
#include "platform/SurfaceForm.h"

class QLabel;

namespace lexiglade {

struct GameContext;
class Outline;

class Tmain : public SurfaceForm {
    Q_OBJECT
  public:
    // Runs FormCreate on the game's `context`, which outlives the form; an error in it is shown in
    // the error box and start-up goes on.
    explicit Tmain(GameContext& context);
    ~Tmain() override;

    Outline* outline = nullptr;
    QLabel* Label2 = nullptr;

    void FormMouseDown(Qt::MouseButton button, int x, int y);
    void outlineClick();
    // Loads "a7.asl" into the tree again; a failed load keeps what it placed.
    void ReloadTree();

    int BackdropLeft = 0;
    int BackdropTop = 0;
    int BackdropWidth = 0;
    int BackdropHeight = 0;

  protected:
    void FormPaint() override;
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void FormCreate();
    void OfferShippedPuzzles(const DataFolders& folders);
    void CreateControls();
    void LoadTreeInto();
    void RunOptions();
    void RunWizard();
    void DrawPicture(DeviceContext& dc, const char* name, int x, int y, int trim);

    GameContext& context_;
    bool CatalogueFirstPaint = true;
    bool closing_ = false;
};

} // namespace lexiglade
