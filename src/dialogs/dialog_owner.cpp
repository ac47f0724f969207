#include "dialogs/dialog_owner.h"

#include "model/cell_call.h"

cuiDialogOwner::cuiDialogOwner(const cmcCellCapsule& owner, clsEngineEntry engine)
    : m_capsule(owner), m_engine(engine) {
    if (owner.rectangle != nullptr) m_rect = *owner.rectangle;
    m_capsule.rectangle = &m_rect;
}

void cuiDialogOwner::CommitText(const std::string& value) const {
    cmcCellObj flex;
    flex.ParseCell("{(%Flex0[0])}", nullptr, nullptr);
    cmcCellCapsule item;
    item.cell = &flex;
    item.inputText = value;
    cmcCellCapsule commit = m_capsule;
    commit.ownerCapsule = &item;
    commit.mode = clsMode::kCommitted;
    commit.requestCode = clsKey::kNone;
    commit.requestArgument = 0;
    commit.inputText = value;
    indActiveCell context;
    m_engine(context, commit, true);
}
