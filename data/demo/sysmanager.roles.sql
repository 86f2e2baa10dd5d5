-- Demo roles with the permissions such staff would get. Applied only by `pelinor-cli initdb --demo`.
INSERT INTO ManageRolse VALUES(1,'园长','C01；C02；C03；C04；C11；C12；C13；C14；C21；C22；C23；C24；C31；C32；C33；C44');
INSERT INTO ManageRolse VALUES(2,'保健医生','C01；C02；C03；C12；C21；C22；C23；C44');
INSERT INTO ManageRolse VALUES(3,'厨师','C12；C31；C32；C33；C44');
INSERT INTO ManageRolse VALUES(4,'班主任','C02；C12；C23；C44');
