-- First rows of sysmanager.dll: the built-in administrator account and its role.

-- The built-in account; the spare columns 3, 4, 5 and 7 stay empty as for every account the program creates.
INSERT INTO Management VALUES(0,'admin','vanto',NULL,NULL,NULL,'2026-01-01',NULL,'超级管理员','启用','系统管理员','');

-- The built-in role with all nineteen permission codes.
INSERT INTO ManageRolse VALUES(0,'超级管理员','C01；C02；C03；C04；C11；C12；C13；C14；C21；C22；C23；C24；C31；C32；C33；C41；C42；C43；C44');
