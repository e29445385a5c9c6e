// Leaving the new-campaign wizard before it is done.
#pragma once

// Asks whether to delete the half-made campaign `CampaignName`; on yes it is deleted with its
// slot, on no it is kept. Either way the start window is shown again with the slots read afresh.
// Returns false when the player chose to go on with the wizard.
bool leaveNewCampaign();
